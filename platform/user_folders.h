#pragma once

#include <string>

namespace tarvix {

// The user's home folder: $HOME when it is an absolute path, else the one the user database
// gives this user (root started without HOME, by a service or `env -u HOME`); empty when
// neither names one.
std::string UserHome();

// Whether the folder belongs to the installed system (/usr and everything in it, /bin, /sbin,
// /lib*, /etc, /opt, /boot), links resolved. Such folders never take a user's file, not even
// when the administrator could write there: it would speak for every user and outlive the
// package.
bool SystemFolder(const std::string& directory);

}  // namespace tarvix
