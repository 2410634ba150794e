#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace tarvix {

// The entry that typing `typed` finds in a list: the first whose text, leading blanks aside,
// starts with it, case ignored; -1 when none does.
int FindTypedEntry(const QStringList& entries, const QString& typed);

// The keys typed into a list in one go: a pause longer than the desktop's keyboard interval
// starts a new search.
class TypeAhead {
  public:
    // Whether a search is under way, so that a blank belongs to it.
    bool Typing() const;
    // Adds the key and returns the entry found, or -1. Keys that find nothing with what was
    // typed before start a search of their own.
    int Find(const QStringList& entries, const QString& key);

  private:
    QString typed_;
    QElapsedTimer last_;
};

}  // namespace tarvix
