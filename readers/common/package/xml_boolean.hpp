// The true values of an Office Open XML boolean attribute: xsd:boolean's
// "1" and "true", and the "on" that on/off attributes also allow.  Anything
// else, the empty text of an absent attribute among it, is false.
#pragma once

#include <string_view>

namespace qrv::import {

inline bool xml_true(std::string_view v) { return v == "1" || v == "true" || v == "on"; }

}  // namespace qrv::import
