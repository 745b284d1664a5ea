// How the workbench shows a single element as text (UTF-8), Qt-free.
//
// Strings (TString and every subclass) show their text. Every other element
// shows a value text, which the list memo puts between "[" and "]" and the
// list page's Elem button writes into the entry field without brackets:
//   TInteger, TLongint, TInt64, TByte, TWord   decimal: -12, 255
//   TReal, TExtended                           shortest decimal that reads back
//                                              to the same value: 0.1, 1e+100,
//                                              inf, -inf, nan
//   TBoolean                                   true / false
//   TTColor                                    Delphi colour notation $00BBGGRR
//   TChar                                      the character in quotes ('a'),
//                                              control characters as #13
//   TTBruch                                    numerator/denominator as stored: 3/4
//   any other class                            its class name
#pragma once

#include <string>

class TBase;

namespace elementtext {

// True for elements that show as plain text (TString and its subclasses).
bool isString(const TBase& element);
// The value without brackets, UTF-8 (see above).
std::string valueText(const TBase& element);
// One line of the list memo: the text of a string, "[" + valueText + "]" else.
std::string memoText(const TBase& element);

}  // namespace elementtext
