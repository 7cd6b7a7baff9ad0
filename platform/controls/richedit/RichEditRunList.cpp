#include "platform/controls/richedit/RichEditRunList.h"

#include <algorithm>
#include <iterator>

#include "platform/controls/richedit/RichEditFormat.h"

namespace winport {

const RichEditFormat& RichEditRunList::At(std::size_t position) const {
    for (const Run& run : m_runs) {
        if (position < run.length) return run.format;
        position -= run.length;
    }
    return m_runs.back().format;
}

void RichEditRunList::Replace(std::size_t start, std::size_t end, std::size_t count,
                              const RichEditFormat& format) {
    const auto first = static_cast<std::ptrdiff_t>(SplitAt(start));
    const auto last = static_cast<std::ptrdiff_t>(SplitAt(end));
    m_runs.erase(m_runs.begin() + first, m_runs.begin() + last);
    if (count > 0) m_runs.insert(m_runs.begin() + first, Run{count, format});
    m_length = m_length - (end - start) + count;
    Merge();
}

void RichEditRunList::Apply(std::size_t start, std::size_t end, const CHARFORMATA& change) {
    const std::size_t first = SplitAt(start);
    const std::size_t last = SplitAt(end);
    for (std::size_t i = first; i < last; ++i) m_runs[i].format = Applied(m_runs[i].format, change);
    Merge();
}

void RichEditRunList::Replace(const RichEditFormat& from, const RichEditFormat& to) {
    for (Run& run : m_runs) {
        if (run.format == from) run.format = to;
    }
    Merge();
}

std::pair<RichEditFormat, DWORD> RichEditRunList::Common(std::size_t start, std::size_t end) const {
    const RichEditFormat& first = At(start);
    DWORD mask = kKeptFormatMask;
    std::size_t runStart = 0;
    for (const Run& run : m_runs) {
        const std::size_t runEnd = runStart + run.length;
        if (runEnd > start && runStart < end) mask &= SharedMask(first, run.format);
        runStart = runEnd;
    }
    return {first, mask};
}

std::vector<RichEditRun> RichEditRunList::Runs() const {
    std::vector<RichEditRun> runs;
    std::size_t start = 0;
    for (const Run& run : m_runs) {
        runs.push_back(RichEditRun{start, run.length, run.format});
        start += run.length;
    }
    return runs;
}

std::size_t RichEditRunList::SplitAt(std::size_t position) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        if (position == runStart) return i;
        const std::size_t length = m_runs[i].length;
        if (position < runStart + length) {
            const std::size_t head = position - runStart;
            Run tail{length - head, m_runs[i].format};
            m_runs[i].length = head;
            m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
        runStart += length;
    }
    return m_runs.size();
}

void RichEditRunList::Merge() {
    std::vector<Run> merged;
    for (Run& run : m_runs) {
        if (run.length == 0) continue;
        if (!merged.empty() && merged.back().format == run.format) {
            merged.back().length += run.length;
        } else {
            merged.push_back(std::move(run));
        }
    }
    m_runs = std::move(merged);
}

}  // namespace winport
