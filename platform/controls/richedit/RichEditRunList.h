// The formats of a rich edit's characters, kept as runs: a run is a length and the format its
// characters share. Neighbouring runs always differ and none is empty; every change merges.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/controls/RichEditApi.h"

namespace winport {

class RichEditRunList {
public:
    std::size_t Length() const { return m_length; }
    // The format of character |position|, which is below Length().
    const RichEditFormat& At(std::size_t position) const;

    // Removes the characters [start, end) and puts |count| characters of |format| at |start|.
    void Replace(std::size_t start, std::size_t end, std::size_t count,
                 const RichEditFormat& format);
    // Applies |change| to each character of [start, end).
    void Apply(std::size_t start, std::size_t end, const CHARFORMATA& change);
    // Gives every character formatted as |from| the format |to|.
    void Replace(const RichEditFormat& from, const RichEditFormat& to);

    // The format of character |start| and the mask of the attributes all of [start, end) share.
    std::pair<RichEditFormat, DWORD> Common(std::size_t start, std::size_t end) const;
    std::vector<RichEditRun> Runs() const;

private:
    struct Run {
        std::size_t length = 0;
        RichEditFormat format;
    };

    // Splits the run holding |position| so that a run starts there; answers that run's index.
    std::size_t SplitAt(std::size_t position);
    void Merge();

    std::vector<Run> m_runs;
    std::size_t m_length = 0;
};

}  // namespace winport
