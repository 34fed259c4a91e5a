#pragma once
// Every operand of the explanations has one name and one Czech label, defined once here: the
// name is the state field, parameter or step it is ("SazbaSocZam"), the label says what it is
// in words ("sazba sociálního pojištění zaměstnance").

#include <string_view>

namespace platomer::explaining {

// The label of an operand's name; a name without one is a fault of the program.
std::string_view operandLabel(std::string_view name);

}  // namespace platomer::explaining
