#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace analysis {

// The candidates a comparison run could not read, for the one notice at its end.
class LeftOutFaces {
  public:
    void add(std::string name, std::string reason);
    std::size_t count() const { return count_; }
    // How many faces were left out, the first five with their reasons, and that the results of
    // the others stand; "" when none was. The names are in UTF-8, so that names held in
    // Windows-1252 and names beyond it share one notice.
    std::string notice() const;

    static constexpr std::size_t kNamed = 5;

  private:
    std::size_t count_ = 0;
    std::vector<std::pair<std::string, std::string>> named_;
};

}  // namespace analysis
