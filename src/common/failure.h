#pragma once
// How the core reports a failure: it throws a Failure (or a type derived from it) whose
// description is what the user reads. The screens' action guard shows it under the action's
// title; results that are not failures (a refusal the rules foresee) are returned as values.
#include <stdexcept>
#include <string>

namespace nencho {

class Failure : public std::runtime_error {
  public:
    explicit Failure(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace nencho
