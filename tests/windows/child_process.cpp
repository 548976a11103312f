#include "tests/windows/child_process.h"

#include <windows.h>

#include <array>

std::string quoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
    return argument;
  }
  // Backslashes are literal except before a double quote, where each pair gives one.
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workDir) {
  ProcessResult result;
  std::string commandLine = quoteArgument(program);
  for (const std::string& argument : arguments) commandLine += " " + quoteArgument(argument);

  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return result;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                             OPEN_EXISTING, 0, nullptr);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     workDir.empty() ? nullptr : workDir.c_str(), &startup, &process);
  CloseHandle(writeEnd);
  if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
  if (!started) {
    result.output = "cannot start " + program + ": error " + std::to_string(GetLastError());
    CloseHandle(readEnd);
    return result;
  }
  std::array<char, 4096> block;
  DWORD count = 0;
  while (ReadFile(readEnd, block.data(), static_cast<DWORD>(block.size()), &count, nullptr) &&
         count > 0) {
    result.output.append(block.data(), count);
  }
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  if (GetExitCodeProcess(process.hProcess, &exitCode)) result.status = static_cast<int>(exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
