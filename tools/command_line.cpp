#include "tools/command_line.h"

#include "settings/settings_set.h"

namespace tesh {

namespace {

constexpr char kJsonFlag[] = "--json";
constexpr char kSlotFlag[] = "--slot";

Status ParseSlot(const std::string& text, int& slot) {
    bool digit = text.size() == 1 && text[0] >= '0' && text[0] < '0' + kProfileCount;
    if (!digit)
        return Status::Error(std::string(kSlotFlag) + " must be 0.." +
                             std::to_string(kProfileCount - 1) + ", got \"" + text + "\"");
    slot = text[0] - '0';
    return Status::Ok();
}

}  // namespace

Status ParseCommandArgs(const std::vector<std::string>& args, std::size_t first, unsigned allowed,
                        CommandArgs& out) {
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& a = args[i];
        const unsigned option = a == kJsonFlag ? kJsonOption : a == kSlotFlag ? kSlotOption : 0;
        if (option != 0 && (allowed & option) == 0) {
            return Status::Error("option " + a + " does not apply");
        } else if (option == kJsonOption) {
            out.json = true;
        } else if (option == kSlotOption) {
            if (i + 1 == args.size())
                return Status::Error(std::string(kSlotFlag) + " needs a slot number");
            Status s = ParseSlot(args[++i], out.slot);
            if (!s.ok()) return s;
        } else if (a.size() > 1 && a[0] == '-') {
            return Status::Error("unknown option \"" + a + "\"");
        } else {
            out.positionals.push_back(a);
        }
    }
    return Status::Ok();
}

}  // namespace tesh
