#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "tuner/support_libraries.h"

#include "commands/command_table.h"
#include "commands/core_link.h"

namespace tuner {

const rt::SupportLibrary* const* support_libraries() {
    static const rt::SupportLibrary core = {
        "核心库", commands::core_library_notify, commands::core_command_count(), commands::core_commands(),
        forms::kCoreTypeCount, forms::core_component_types(),
    };
    static const rt::SupportLibrary extension = {
        "界面扩展库", nullptr, 0, nullptr, forms::kExtensionTypeCount, forms::extension_component_types(),
    };
    static const rt::SupportLibrary* const libraries[kSupportLibraryCount] = {&core, &extension};
    return libraries;
}

}  // namespace tuner
