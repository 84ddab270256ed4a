#pragma once

#include <string>

// The C library's locale switched, for as long as the object lives, to one
// that writes a decimal comma, as a user's locale may (Qt sets the process
// locale from the environment at start); the earlier locale afterwards.
namespace zelmora::testing {

class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // Whether printf now writes 45.52 as "45,52": false where the C library
  // knows no such locale under any of the names tried.
  bool InForce() const { return in_force_; }

 private:
  std::string earlier_;
  bool in_force_ = false;
};

}  // namespace zelmora::testing
