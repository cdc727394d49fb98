// A procedure's request table: constant rows that bind each request code to the function
// serving it. Tables are data, built at compile time; a code without a row is a request
// that no computation serves yet.
#pragma once

#include <cstdint>
#include <span>

namespace kpa::shell {

// Never renumbered: callers compare these.
enum class [[nodiscard]] RequestStatus : std::int16_t{
    kDone = 0,
    kFailed = 1,        // the request showed its message (or the host did not take its output)
    kNotAvailable = 2,  // no computation serves this request yet
};

template <typename Code, typename Context>
struct RequestRow {
  Code code;
  RequestStatus (*serve)(Context&);
};

// The row of `code`, or nullptr.
template <typename Code, typename Context>
const RequestRow<Code, Context>* FindRequest(std::span<const RequestRow<Code, Context>> table,
                                             Code code) {
  for (const auto& row : table)
    if (row.code == code) return &row;
  return nullptr;
}

}  // namespace kpa::shell
