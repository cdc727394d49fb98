#include "automation/variant.h"

#include "shell/dialogs/list_text.h"

namespace kpa::automation {

std::string VariantToText(const Variant& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return ""; }
    std::string operator()(bool b) const { return b ? "True" : "False"; }
    std::string operator()(std::int64_t i) const { return std::to_string(i); }
    std::string operator()(double d) const { return shell::FormatNumber(d); }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(const std::vector<double>& array) const {
      std::string text = "(";
      for (std::size_t i = 0; i < array.size(); ++i) {
        if (i > 0) text += ", ";
        text += shell::FormatNumber(array[i]);
      }
      return text + ")";
    }
  };
  return std::visit(Visitor{}, value);
}

}  // namespace kpa::automation
