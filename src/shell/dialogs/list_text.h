// The host's list text: how variable and code lists are read and written as text, one form
// for every such field. Numbers or variable names separated by blanks, ranges `3-7`, and
// several lists separated by `|` (an empty list is allowed): "diameter sample | 1-5 7".
#pragma once

#include <optional>
#include <string>

#include "host/api/host.h"
#include "shell/dialogs/control.h"

namespace kpa::shell {

enum class ListKind { kVariables, kCodes };

struct ParsedList {
  NumberLists lists;
  std::string error;  // empty on success; else what is wrong and where (1-based column)
};

// Variables may be given by number or by name (without regard to case) and must exist in
// the host's data file; codes are numbers (ranges of whole numbers expand).
ParsedList ParseListText(const std::string& text, ListKind kind, const host::Host& host);

// The text of lists in the form ParseListText reads: variables by name where they have one.
std::string FormatListText(const NumberLists& lists, ListKind kind, const host::Host& host);

// A number in the form scripts and list texts use: shortest text that reads back exactly.
std::string FormatNumber(double value);

// The code a value field names: its text read as a number, else matched (trimmed, without
// regard to case) against the value labels of `variable`; std::nullopt when it names none.
std::optional<double> CodeOfText(std::string_view text, int variable, const host::Host& host);

}  // namespace kpa::shell
