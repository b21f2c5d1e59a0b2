#pragma once

// Where the tests find the built t73. Only test_paths.cpp is compiled with this path, so that every
// other test object is the same in any checkout (the compiler cache shares them).
namespace tc::test {

extern const char* const kT73Path;

}  // namespace tc::test
