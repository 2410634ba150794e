#include "platform/qt/type_ahead.h"

#include <QApplication>

namespace tarvix {
namespace {

QString WithoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    return text.mid(start);
}

}  // namespace

int FindTypedEntry(const QStringList& entries, const QString& typed) {
    const QString wanted = WithoutLeadingBlanks(typed);
    if (wanted.isEmpty()) return -1;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (WithoutLeadingBlanks(entries[i]).startsWith(wanted, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

bool TypeAhead::Typing() const {
    return !typed_.isEmpty() && last_.isValid() &&
           last_.elapsed() <= QApplication::keyboardInputInterval();
}

int TypeAhead::Find(const QStringList& entries, const QString& key) {
    typed_ = Typing() ? typed_ + key : key;
    last_.start();
    int found = FindTypedEntry(entries, typed_);
    if (found < 0 && typed_ != key) {
        typed_ = key;
        found = FindTypedEntry(entries, typed_);
    }
    return found;
}

}  // namespace tarvix
