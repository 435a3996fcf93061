// Any bytes read by ninefold-cli's text reader give exactly the puzzles and the bad lines that
// a plain split of the text at LF foretells: no puzzle merged with its neighbour or dropped,
// every bad line named once with its number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/puzzle_input.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct Expected {
    std::vector<std::string> puzzles;  // the 81 cells of each puzzle line
    std::string errorPrefixes;         // "<fuzz>:N:" of each bad line, one a line
};

// The rules again, written plainly: a byte-order mark at the start is dropped; text bytes
// are tab and 0x20-0x7E or above; a line of blanks or starting with '#' after blanks is
// skipped; otherwise, after its blanks, come 81 cells and then the end, a blank or a tab.
Expected split(std::string_view text) {
    Expected expected;
    int number = 0;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        bool isText = true;
        for (const unsigned char byte : line) {
            isText = isText && (byte == '\t' || (byte >= 0x20 && byte != 0x7F));
        }
        const size_t first = line.find_first_not_of(" \t");
        if (isText && (first == std::string_view::npos || line[first] == '#')) {
            continue;
        }
        const std::string_view rest = isText ? line.substr(first) : line;
        const bool cells =
            rest.size() >= 81 &&
            rest.substr(0, 81).find_first_not_of("0123456789.") == std::string_view::npos &&
            (rest.size() == 81 || rest[81] == ' ' || rest[81] == '\t');
        if (isText && cells) {
            expected.puzzles.emplace_back(rest.substr(0, 81));
        } else {
            expected.errorPrefixes += "<fuzz>:" + std::to_string(number) + ":\n";
        }
    }
    return expected;
}

std::string asLine(const ninefold::CellGrid& grid) {
    std::string line;
    for (const ninefold::CellState& cell : grid) {
        require(cell.Digit <= 9 && cell.Fixed == (cell.Digit != 0));
        line += cell.Digit == 0 ? '.' : static_cast<char>('0' + cell.Digit);
    }
    return line;
}

// Each error line cut after its "NAME:LINE:" part.
std::string prefixes(const std::string& errors) {
    std::string out;
    size_t start = 0;
    while (start < errors.size()) {
        const size_t end = errors.find('\n', start);
        require(end != std::string::npos);
        const size_t colon = errors.find(':', errors.find(':', start) + 1);
        require(colon < end);
        out += errors.substr(start, colon + 1 - start) + "\n";
        start = end + 1;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Expected expected = split(text);
    for (std::string& puzzle : expected.puzzles) {
        for (char& ch : puzzle) {
            ch = ch == '0' ? '.' : ch;
        }
    }

    std::FILE* input = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    char* errorText = nullptr;
    std::size_t errorSize = 0;
    std::FILE* errors = open_memstream(&errorText, &errorSize);
    require(input != nullptr && errors != nullptr);
    std::vector<std::string> taken;
    const ninefold::cli::InputStats stats = ninefold::cli::ReadPuzzleText(
        input, "<fuzz>", errors,
        [&](const ninefold::CellGrid& grid) { taken.push_back(asLine(grid)); });
    std::fclose(input);
    std::fclose(errors);
    const std::string reported(errorText, errorSize);
    std::free(errorText);

    require(taken == expected.puzzles);
    require(stats.puzzles == static_cast<int>(taken.size()));
    require(prefixes(reported) == expected.errorPrefixes);
    require(stats.bad == !expected.errorPrefixes.empty());
    return 0;
}
