// Finds a window's control by its program name; a missing or mistyped name
// fails the test clearly instead of crashing on a null pointer.
#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace optolune::test {

template <typename T>
T *child(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        ADD_FAILURE() << "no control named " << name << " of the expected type";
        throw std::runtime_error(std::string("missing control ") + name);
    }
    return found;
}

} // namespace optolune::test
