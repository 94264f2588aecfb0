#include "analysis/engine/comparison/left_out_faces.h"

#include "common/text/cp1252.h"

namespace analysis {

void LeftOutFaces::add(std::string name, std::string reason) {
    ++count_;
    if (named_.size() < kNamed) {
        named_.emplace_back(std::move(name), std::move(reason));
    }
}

std::string LeftOutFaces::notice() const {
    if (count_ == 0) {
        return {};
    }
    std::string text = count_ == 1 ? "1 face could not be read and was left out of the comparison:"
                                   : std::to_string(count_) +
                                         " faces could not be read and were left out of the "
                                         "comparison:";
    for (const auto& [name, reason] : named_) {
        text += "\n" + common::heldToUtf8(name) + ": " + reason;
    }
    if (count_ > named_.size()) {
        text += "\n... and " + std::to_string(count_ - named_.size()) + " more.";
    }
    return text + "\nThe results of the other faces stand.";
}

}  // namespace analysis
