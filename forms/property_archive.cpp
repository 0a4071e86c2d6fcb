#include "forms/property_archive.h"

#include "runtime/texts.h"

namespace forms {

rt::ByteSetHeader* PropertyWriter::to_byte_set() const {
    return rt::make_byte_set(data().data(), static_cast<i32>(data().size()));
}

}  // namespace forms
