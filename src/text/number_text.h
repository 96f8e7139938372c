// The number texts of the report, the solver trace, the work files and the window's labels.
// Each formats into a std::string; AppendFixed5 adds to an existing line without a copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// "0.00000": at least one digit before the point, exactly five after, correctly rounded from the
// binary value, "-" for negatives; a value that rounds to zero is "0.00000" with no sign.
std::string FormatFixed5(double value);
void AppendFixed5(std::string& out, double value);
// The same text written at `out`, which has room for kFixed5MaxChars; returns its end. The trace
// file holds millions of these numbers, so the usual magnitudes take an exact integer path.
constexpr size_t kFixed5MaxChars = 320;  // "-" and 309 digits of 1.8e308, ".", five decimals
char* WriteFixed5(char* out, double value);
// The length of the text WriteFixed5 writes, found without writing it where that is quicker.
size_t Fixed5Length(double value);

// At most 15 significant digits, no trailing zeros, exponent form with an uppercase E, a sign and
// at least two digits for very large or small magnitudes (1.5E-07): C's "%.15G".
std::string FormatGeneral15(double value);

// A work-file line without its line end: " " or "-" in the sign place, the digits of the
// magnitude as FormatGeneral15 writes them, then one blank (" 2.5 ", "-0.125 ").
std::string FormatWorkValue(double value);

// Short general form of a single-precision model value: at most 7 significant digits, like
// "%.7G" of the float (150, 0.5, 2100000, 1E+07).
std::string FormatSingle(float value);

// Plain decimal integer with a minus sign when negative.
std::string FormatInteger(long value);

// A size in whole megabytes of 1048576 bytes, rounded up, for messages: "344 MB".
std::string FormatMegabytes(uint64_t bytes);
// A file's size for messages: whole bytes below a megabyte ("254 バイト"), whole megabytes from
// there, rounded up for a size that is needed and down for the room there is, so that a
// shortfall never reads as none ("2 MB" needed, "1 MB" free).
enum class SizeRounding { Up, Down };
std::string FormatFileSize(uint64_t bytes, SizeRounding rounding);
