// Where the program keeps its files (the preset file, wx.txt, the source database, exported
// pictures, the robots): the one place every file user asks.
//
// Two layouts. The portable one keeps every file beside the program file, as long as the
// program's directory is writable; it is the default. When the program was installed into a
// directory the user cannot write (/usr/bin, /opt/...), the files live in
// $XDG_DATA_HOME/dawnquill (~/.local/share/dawnquill when the variable is unset or not an
// absolute path); that directory is created on first use, and a preset file or a database
// found in the program's directory is copied there once, so a user who ran the program from
// a shared install keeps their settings and sources. Nothing is ever moved or overwritten.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace dq {

// The directory of the running program file, without a trailing slash.
std::string ProgramDirectory();

// Where the program's files live, decided once per process (see above), without a trailing
// slash.
std::string RunDirectory();

// True when RunDirectory() is the program's directory (the portable layout).
bool PortableLayout();

// The decision, apart from the process and its environment.
struct DataLayoutInputs {
    std::string programDirectory;
    bool programDirectoryWritable = true;
    std::string xdgDataHome;  // the value of $XDG_DATA_HOME, empty when unset
    std::string home;         // the value of $HOME, empty when unset
};

struct DataLayout {
    std::string directory;
    bool portable = true;
};

// The files of a program directory that are carried over to the data directory.
std::span<const std::string_view> CarriedOverFiles();

// Chooses the layout and, for the data directory, creates it and copies the carried-over
// files that it lacks. When no data directory can be made (no usable home, a directory that
// cannot be created) the program's directory is used after all: its writes then fail and are
// reported where they happen.
DataLayout ChooseDataLayout(const DataLayoutInputs& inputs);

}  // namespace dq
