#pragma once
// Finding a window's widgets and actions by their object names in tests.

#include <QObject>
#include <gtest/gtest.h>

namespace orv::test {

// The child of `root` with that object name; a test failure (and null) when there is none.
template <typename W>
W* FindNamed(const QObject* root, const char* name)
{
    W* found = root->findChild<W*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace orv::test
