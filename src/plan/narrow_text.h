// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Text as banks' pages and files write it, made plain: full-width digits
// and punctuation, blanks of every kind and minus signs of every kind.
namespace quorvane {

// The code point at `at` in UTF-8 and its length; a stray byte stands for itself.
std::pair<char32_t, std::size_t> CodePoint(std::string_view text, std::size_t at);

// Full-width digits and punctuation as ASCII, every kind of blank as a
// blank, every kind of minus as '-'; the rest as it is.
std::string Narrow(std::string_view text);

// The text with every `part` in it replaced.
std::string Replaced(std::string_view text, std::string_view part, std::string_view with);

// The text narrowed, without blanks and without the words around a figure.
std::string Bare(std::string_view cell, std::initializer_list<std::string_view> marks = {});

bool AllDigits(std::string_view text);

}  // namespace quorvane
