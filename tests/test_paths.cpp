#include "test_paths.h"

namespace tc::test {

const char* const kT73Path = T73_PATH;

}  // namespace tc::test
