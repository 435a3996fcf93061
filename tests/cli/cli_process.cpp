// Process plumbing for the tool's tests: a shell runs the tool with redirections.
#include "tests/cli/cli_process.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace ninefold::test {

namespace {

#ifdef _WIN32

// cmd.exe runs the line; the tool splits its words as the C runtime does: a word in double
// quotes, a quote inside it escaped with a backslash, and the backslashes before one doubled.
std::string quoted(const std::string& word) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char ch : word) {
        if (ch == '\\') {
            ++backslashes;
        } else {
            if (ch == '"') {
                out.append(backslashes + 1, '\\');
            }
            backslashes = 0;
        }
        out += ch;
    }
    out.append(backslashes, '\\');
    return out + "\"";
}

// The tool is built beside the test program, which the tests run from another folder.
std::string toolPath() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return (std::filesystem::path(std::wstring(self, length)).parent_path() / "ninefold-cli.exe")
        .string();
}

int exitStatus(int raw) {
    return raw;
}

HANDLE inheritable(const std::filesystem::path& file, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts the command line in folder with its standard streams on the folder's .stdin,
// .stdout and .stderr, and waits for its exit status; -1 when it cannot start. No cmd.exe in
// between, whose quoting rules would be part of the test.
int runInFolder(const std::filesystem::path& folder, const std::string& line) {
    std::wstring wideLine(line.size() + 1, L'\0');
    wideLine.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wideLine.data(),
                                                     static_cast<int>(wideLine.size())) -
                                 1));
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = inheritable(folder / ".stdin", GENERIC_READ, OPEN_EXISTING);
    start.hStdOutput = inheritable(folder / ".stdout", GENERIC_WRITE, CREATE_ALWAYS);
    start.hStdError = inheritable(folder / ".stderr", GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    int status = -1;
    if (CreateProcessW(nullptr, wideLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                       &start, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code)) {
            status = static_cast<int>(code);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE handle : {start.hStdInput, start.hStdOutput, start.hStdError}) {
        CloseHandle(handle);
    }
    return status;
}

#else

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char ch : word) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

std::string toolPath() {
    return NINEFOLD_CLI;
}

int exitStatus(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

#endif

std::string commandLine(const std::vector<std::string>& args) {
    std::string line = quoted(toolPath());
    for (const std::string& arg : args) {
        line += " " + quoted(arg);
    }
    return line;
}

}  // namespace

CliFolder::CliFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("ninefold-cli-test-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path_);
}

CliFolder::~CliFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path CliFolder::Write(const std::string& name, const std::string& contents) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << contents;
    return file;
}

std::string CliFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliRun CliFolder::Run(const std::vector<std::string>& args, const std::string& input) const {
    Write(".stdin", input);
#ifdef _WIN32
    CliRun run;
    run.status = runInFolder(path_, commandLine(args));
    run.out = Read(".stdout");
    run.err = Read(".stderr");
    return run;
#else
    return runShell(commandLine(args) + " < .stdin > .stdout 2> .stderr", ".stderr");
#endif
}

CliRun CliFolder::RunWithTerminalStderr(const std::vector<std::string>& args) const {
    const std::string inner = commandLine(args) + " > .stdout";
    return runShell("script -qec " + quoted(inner) + " /dev/null > .terminal 2>&1", ".terminal");
}

CliRun CliFolder::runShell(const std::string& command, const std::string& errFile) const {
#ifdef _WIN32
    const std::string shell = "cd /d " + quoted(path_.string()) + " && " + command;
#else
    const std::string shell = "cd " + quoted(path_.string()) + " && " + command;
#endif
    CliRun run;
    run.status = exitStatus(std::system(shell.c_str()));
    run.out = Read(".stdout");
    run.err = Read(errFile);
    return run;
}

}  // namespace ninefold::test
