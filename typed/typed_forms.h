// The notations a formula may be typed in, written from the same tables
// the reader reads (typed_reader.h), so that what lists the answers a
// student may type, such as a question bank, takes what the quiz takes.
#ifndef REACTION_DRILL_TYPED_TYPED_FORMS_H_
#define REACTION_DRILL_TYPED_TYPED_FORMS_H_

#include <string>
#include <string_view>
#include <vector>

// The forms of the formula `written` that the reader reads as it, `written`
// first: "PO43-", "PO4^3-", "PO4^{3-}", "PO4{3-}", and for a charge of more
// than 1 its sign first and a blank before it, "PO4^-3", "PO4-3", "PO4 3-";
// last "PO₄³⁻". A formula without a charge has only the plain and the
// Unicode form, and one without digits only the plain ("NaCl"). Each form
// once. Just `written` where it is not one formula the reader reads.
std::vector<std::string> typedForms(std::string_view written);

#endif  // REACTION_DRILL_TYPED_TYPED_FORMS_H_
