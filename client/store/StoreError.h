#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace nuvclient {

// A failed store operation. The message names the file or folder and the problem.
class StoreError : public std::runtime_error {
public:
    StoreError(const std::filesystem::path& path, const std::string& problem)
        : std::runtime_error(path.string() + ": " + problem), m_problem(problem) {}

    // The problem alone, without the name.
    const std::string& Problem() const { return m_problem; }

private:
    std::string m_problem;
};

}  // namespace nuvclient
