#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/t73/run_t73.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A closed pipe on standard output is a write error with its reason, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    tc::platform::use_binary_standard_streams();
    tc::t73::DescriptorBuffer out_buffer(1);
    tc::t73::DescriptorBuffer err_buffer(2);
    std::ostream out(&out_buffer);
    std::ostream err(&err_buffer);
    const std::vector<std::string> args = tc::platform::command_line_arguments(argc, argv);
    const int code = tc::t73::run_t73(args, {std::cin, out, err});
    err.flush();
    return code;
}
