#include "tests/query/wmic_client.h"

#include <windows.h>

namespace {

// Runs the command line and gives back what it wrote to its standard output; the empty text
// when it cannot start or has not finished within a minute.
std::string RunAndCapture(std::string commandLine) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::string();
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
        if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            output.clear();
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return output;
}

// wmic's answer to ASCII text. Wine 8's wmic writes UTF-16 little-endian to a pipe (with or
// without a byte-order mark), Wine 10's writes bytes of the console's code page: UTF-16 is told by
// its mark, or by the zero high byte of the first character, which is always ASCII.
std::string Narrow(const std::string& bytes) {
    const auto byte = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const bool marked = bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE;
    const bool wide = marked || (bytes.size() >= 2 && byte(1) == 0);
    const size_t step = wide ? 2 : 1;
    std::string text;
    for (size_t i = marked ? 2 : 0; i + step <= bytes.size(); i += step) {
        const unsigned unit = wide ? byte(i) | byte(i + 1) << 8 : byte(i);
        text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::vector<std::map<std::string, std::string>> WmicRows(const std::string& className,
                                                         const std::vector<std::string>& properties) {
    std::string command = "C:\\windows\\system32\\wbem\\wmic.exe path " + className + " get ";
    for (size_t i = 0; i < properties.size(); ++i) command += (i ? "," : "") + properties[i];
    const std::vector<std::string> lines = Lines(Narrow(RunAndCapture(command)));
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty()) return rows;
    // Wine's wmic pads every column, heading and values alike, to one width taken from the
    // longest value, so a longer name runs into the next one. The heading is therefore read
    // by matching the names asked for, and each value line is cut into equal widths. Windows'
    // wmic gives every column its own width, with the name starting the column.
    const std::string& heading = lines[0];
    std::vector<std::string> columns;
    std::vector<size_t> starts;
    for (size_t i = 0; i < heading.size();) {
        if (heading[i] == ' ') {
            ++i;
            continue;
        }
        std::string longest;
        for (const std::string& name : properties)
            if (name.size() > longest.size() && heading.compare(i, name.size(), name) == 0) longest = name;
        if (longest.empty()) return rows;  // not a heading of the names asked for
        columns.push_back(longest);
        starts.push_back(i);
        i += longest.size();
    }
    if (columns.empty()) return rows;
    for (size_t l = 1; l < lines.size(); ++l) {
        if (TrimRight(lines[l]).empty()) continue;
        const std::string& line = lines[l];
        const size_t width = line.size() / columns.size();
        const bool equalWidths = UnderWine() && width > 0 && line.size() % columns.size() == 0;
        std::map<std::string, std::string> row;
        for (size_t c = 0; c < columns.size(); ++c) {
            const size_t from = equalWidths ? c * width : starts[c];
            const size_t to = equalWidths ? from + width : c + 1 < columns.size() ? starts[c + 1] : line.size();
            row[columns[c]] = from < line.size() ? TrimRight(line.substr(from, to - from)) : std::string();
        }
        rows.push_back(row);
    }
    return rows;
}
