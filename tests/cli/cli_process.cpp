// Process plumbing for the tool's tests: a shell runs the tool with redirections.
#include "tests/cli/cli_process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace ninefold::test {

namespace {

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char ch : word) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

std::string commandLine(const std::vector<std::string>& args) {
    std::string line = quoted(NINEFOLD_CLI);
    for (const std::string& arg : args) {
        line += " " + quoted(arg);
    }
    return line;
}

int exitStatus(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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
    return runShell(commandLine(args) + " < .stdin > .stdout 2> .stderr", ".stderr");
}

CliRun CliFolder::RunWithTerminalStderr(const std::vector<std::string>& args) const {
    const std::string inner = commandLine(args) + " > .stdout";
    return runShell("script -qec " + quoted(inner) + " /dev/null > .terminal 2>&1", ".terminal");
}

CliRun CliFolder::runShell(const std::string& command, const std::string& errFile) const {
    const std::string shell = "cd " + quoted(path_.string()) + " && " + command;
    CliRun run;
    run.status = exitStatus(std::system(shell.c_str()));
    run.out = Read(".stdout");
    run.err = Read(errFile);
    return run;
}

}  // namespace ninefold::test
