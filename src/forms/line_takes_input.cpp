#include "forms/line_takes_input.h"

namespace tc {

bool takes_input(const FormRecord& form, std::size_t line) {
    switch (form.data_type[line]) {
        case kTypeText:
        case kTypeInteger:
        case kTypeReal:
        case kTypeLetter:
        case kTypeAuto:
        case kTypeBoolean:
        case kTypePause:
        case kTypeAlphameric:
        case kTypeMsqi:
        case kTypeLargeData:
        case kTypeReadFrom2D:
            return true;
        case kTypeImage:
            return form.edit_file_path[line] != 0;
        default:
            return false;
    }
}

}  // namespace tc
