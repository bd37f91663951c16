// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/fd_output.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  // Standard output through a buffer that keeps the reason of a failed write.
  zarno::cli::FdOutput stdout_buffer(STDOUT_FILENO);
  std::ostream out(&stdout_buffer);
  return zarno::cli::Run(args, std::cin, out, std::cerr);
}
