// The outcome of reading user input: accepted, or what is wrong and where, such as
// "MacroKeyInfo[3].events[2][0]: 300 is out of range 0..255".
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tesh {

class Status {
  public:
    static Status Ok() { return Status(); }
    static Status Error(std::string message) {
        Status s;
        s.message_ = std::move(message);
        return s;
    }
    bool ok() const { return !message_.has_value(); }
    std::string message() const {
        if (ok()) return "";
        return where_.empty() ? *message_ : where_ + ": " + *message_;
    }
    // The same problem found inside `name` (a key, or "[index]" for an array entry).
    Status In(const std::string& name) const {
        Status s = *this;
        if (ok() || name.empty()) return s;
        bool join = !where_.empty() && where_.front() != '[';
        s.where_ = name + (join ? "." : "") + where_;
        return s;
    }

    // The whole problem as found in a file or directory: "subject: where: what".
    Status About(const std::string& subject) const {
        return ok() ? *this : Error(subject + ": " + message());
    }

  private:
    std::optional<std::string> message_;
    std::string where_;
};

}  // namespace tesh
