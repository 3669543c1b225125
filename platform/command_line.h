#pragma once
// Windows command lines.

#include <QString>
#include <QStringList>

namespace platform {

// Splits a command line as CommandLineToArgvW does.
// The program name (first token): when it starts with a double quote it runs to the next double quote (or the
// end), and the next token starts right after that quote; otherwise it runs to the first character up to U+0020,
// quotes included. No backslash is special in it; a line that starts with a blank has an empty program name.
// Arguments, separated by blanks and tabs: 2n backslashes before a quote give n backslashes and the quote opens
// or closes a quoted part; 2n+1 backslashes before a quote give n backslashes and a literal quote; backslashes
// elsewhere are literal; inside a quoted part two quotes give one literal quote and close the quoted part.
// An empty line gives an empty list (the real call would answer the running program's own path).
QStringList command_line_to_argv(const QString& command_line);

// The arguments part alone (what follows the program name), split by the argument rules above.
QStringList split_arguments(const QString& arguments);

// What follows the first `count` arguments of an arguments part, as it stands: from the first character of the
// next argument to the end, blanks and quotes kept; "" when nothing more follows.
QString text_after_arguments(const QString& arguments, int count);

} // namespace platform
