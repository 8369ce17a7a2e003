#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace platform {

/// What went wrong: a code (a host result code where one applies, else 1), a message for a person, and where
/// (a file and a line or offset, empty when there is no place to name).
struct Error {
  /// Machine-readable code.
  int32_t code = 1;
  /// The message, complete enough to show as it is.
  std::string message;
  /// The place: "file:line", "file", or empty.
  std::string where;

  /// "where: message", or the message alone.
  [[nodiscard]] std::string describe() const { return where.empty() ? message : where + ": " + message; }
};

/// A value or an Error, shaped like std::expected (which this compiler's library lacks).
template <class T>
class [[nodiscard]] Result {
public:
  Result(T value) : state(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state(std::in_place_index<1>, std::move(error)) {}

  /// True when a value is held.
  [[nodiscard]] bool ok() const { return state.index() == 0; }
  explicit operator bool() const { return ok(); }
  /// The value; only when ok().
  [[nodiscard]] T& value() & { return std::get<0>(state); }
  [[nodiscard]] const T& value() const& { return std::get<0>(state); }
  [[nodiscard]] T&& value() && { return std::get<0>(std::move(state)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  /// The error; only when !ok().
  [[nodiscard]] const Error& error() const { return std::get<1>(state); }

private:
  std::variant<T, Error> state;
};

/// Result of an operation that gives no value.
template <>
class [[nodiscard]] Result<void> {
public:
  Result() = default;
  Result(Error error) : failure(std::move(error)), failed(true) {}

  [[nodiscard]] bool ok() const { return !failed; }
  explicit operator bool() const { return ok(); }
  [[nodiscard]] const Error& error() const { return failure; }

private:
  Error failure;
  bool failed = false;
};

/// Shorthand for a failed Result: return fail("message", "file:line").
[[nodiscard]] inline Error fail(std::string message, std::string where = {}, int32_t code = 1) {
  return Error{code, std::move(message), std::move(where)};
}

}  // namespace platform
