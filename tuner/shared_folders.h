// The folders the system and every user share. A client found there cannot be told
// apart from everything else in them: the steps that delete and rename below the
// install directory treat such a folder like the root of a drive.
#pragma once

namespace tuner {

// Whether `directory` is the Windows folder, ProgramData, the Users folder, the public
// profile, the user's profile folder or a Program Files folder itself (not a folder
// below one). Each is learnt from the platform; a name that reaches one of them
// another way (a short name, other letter case) is the same folder.
bool is_shared_system_folder(const char* directory);

}  // namespace tuner
