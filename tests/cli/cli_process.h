// Running the real ninefold-cli in a fresh temporary folder, with its standard input,
// output and error in files there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ninefold::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliFolder {
  public:
    CliFolder();
    ~CliFolder();
    CliFolder(const CliFolder&) = delete;
    CliFolder& operator=(const CliFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const;

    // Runs the tool with these arguments inside the folder, input as its standard input.
    CliRun Run(const std::vector<std::string>& args, const std::string& input = "") const;
    // The same with standard error on a terminal (through script(1)); only output is kept.
    CliRun RunWithTerminalStderr(const std::vector<std::string>& args) const;

  private:
    // Runs command in the folder; standard output in .stdout, the error text in errFile.
    CliRun runShell(const std::string& command, const std::string& errFile) const;
    std::filesystem::path path_;
};

}  // namespace ninefold::test
