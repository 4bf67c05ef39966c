// Queries: RunQuery on the real main window and its ResultList against two floors measured in the
// same run, the same statement through the same COM calls with the rows (a) kept in memory and
// (b) written into a plain list view with its redraw suspended. The three alternate run by run,
// with a fourth: floor (b) with the window title set before and after, as RunQuery sets it, which
// tells what the titles cost. Each one's painting is done after it and not counted.
#include <string>

#include "bench/raw_query.h"
#include "bench/sections.h"
#include "query/conversation.h"
#include "query/run_query.h"
#include "query/statement.h"
#include "ui/controls.h"
#include "ui/window_state.h"

namespace {

// The program's own conversation, as RunQuery runs it, with the rows kept in memory and no window:
// where the program's share of a query lies, in its WMI code or in its window code.
size_t ConversationRows(const std::string& statement, bool showAll) {
    std::vector<std::string> rows;
    if (OpenConversation(statement)) {
        for (int item = 1; NextObject(); ++item) {
            rows.emplace_back();
            rows.push_back("Item #" + std::to_string(item));
            for (const std::optional<std::string>& name : PropertyNames()) {
                if (!name) continue;
                const std::string value = ValueText(*name);
                if (showAll || name->compare(0, 1, "_") != 0) rows.push_back(*name + "\n" + value);
            }
            ReleaseObject();
        }
    }
    CloseConversation();
    return rows.size();
}

}  // namespace

void QueryBench(int runs, std::vector<TableRow>& table) {
    const HWND floorList = MakeFloorList();
    const HWND floorWindow = GetParent(floorList);
    const char* texts[] = {"Win32_BIOS", "Win32_OperatingSystem", "SELECT * FROM Win32_Process",
                           "Select Name from Win32_Process"};
    for (const char* text : texts) {
        const std::string statement = StatementFor(text);
        // The first query of a process loads the provider; one of each path first.
        RawRows(statement);
        RawRowsIntoList(floorList, statement);
        RunQuery(text);
        PumpUntilPainted(Window().main);
        PumpUntilPainted(floorWindow);

        std::vector<double> inMemory, conversation, intoList, intoListTitled, runQuery, paired;
        const bool showAll = ShowAllFor(statement);
        size_t rows = 0;
        const std::string retrieving = std::string("Ostrevo  -  retrieving data from ") + text;
        for (int r = 0; r < runs; ++r) {
            for (int k = 0; k < 5; ++k) {
                const double start = NowMs();
                switch ((r + k) % 5) {
                case 4:
                    ConversationRows(statement, showAll);
                    conversation.push_back(NowMs() - start);
                    break;
                case 3:
                    SetWindowTextA(floorWindow, retrieving.c_str());
                    RawRowsIntoList(floorList, statement);
                    SetWindowTextA(floorWindow, "Ostrevo");
                    intoListTitled.push_back(NowMs() - start);
                    PumpUntilPainted(floorWindow);
                    break;
                case 0:
                    rows = RawRows(statement).size();
                    inMemory.push_back(NowMs() - start);
                    break;
                case 1:
                    RawRowsIntoList(floorList, statement);
                    intoList.push_back(NowMs() - start);
                    PumpUntilPainted(floorWindow);
                    break;
                default:
                    RunQuery(text);
                    runQuery.push_back(NowMs() - start);
                    PumpUntilPainted(Window().main);
                    break;
                }
            }
            // This run's RunQuery against this run's floor (b).
            paired.push_back(runQuery.back() / intoList.back());
        }
        const Spread a = SpreadOf(inMemory);
        const Spread b = SpreadOf(intoList);
        const Spread q = SpreadOf(runQuery);
        const Spread t = SpreadOf(intoListTitled);
        const double toB = q.median / b.median;
        table.push_back({Format("Query %s, %d rows shown (ms, %d runs) vs floor (b) list, redraw off", text, RowCount(),
                                runs),
                         Format("%.2f", q.median), Format("%.2f", b.median), Format("%.3f", toB), "<= 1.1",
                         toB <= 1.1 ? "yes" : "no", Format("%.0f %% / %.0f %%", NoisePercent(q), NoisePercent(b))});
        const Spread pr = SpreadOf(paired);
        table.push_back({"  the same, run by run: the median of each run's ratio (ratio's quartiles as noise)", "-", "-",
                         Format("%.3f", pr.median), "-", "-", Format("%.3f - %.3f", pr.low, pr.high)});
        table.push_back({"  floor (b) with the two title changes RunQuery makes (the titles' cost: the difference)",
                         Format("%.2f", t.median), Format("%.2f", b.median), Format("%.2f", t.median / b.median), "-", "-",
                         Format("%.0f %%", NoisePercent(t))});
        table.push_back({Format("  same vs floor (a) rows in memory (%u raw rows)", static_cast<unsigned>(rows)),
                         Format("%.2f", q.median), Format("%.2f", a.median), Format("%.2f", q.median / a.median), "-",
                         "-", Format("%.0f %%", NoisePercent(a))});
        const Spread c = SpreadOf(conversation);
        table.push_back({"  the program's own WMI conversation, rows kept in memory, no window, vs floor (a)",
                         Format("%.2f", c.median), Format("%.2f", a.median), Format("%.2f", c.median / a.median), "-",
                         "-", Format("%.0f %%", NoisePercent(c))});
    }
    // The titles alone, as RunQuery sets them: the caption shows each at once.
    std::vector<double> titles;
    for (int r = 0; r < 5 * runs; ++r) {
        const double start = NowMs();
        SetMainTitle("Ostrevo  -  retrieving data from Win32_BIOS");
        SetMainTitle("Ostrevo");
        titles.push_back(NowMs() - start);
    }
    const Spread t = SpreadOf(titles);
    table.push_back({Format("  the two title changes of a query alone, SetMainTitle on the real window (ms, %d runs)",
                            5 * runs),
                     Format("%.2f", t.median), "-", "-", "-", "-", Format("%.0f %%", NoisePercent(t))});
    DestroyWindow(floorWindow);
}
