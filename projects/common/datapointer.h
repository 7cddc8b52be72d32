// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_DATAPOINTER_H
#define PROJECTS_COMMON_DATAPOINTER_H

#include <QExplicitlySharedDataPointer>

/**
 * @file datapointer.h
 * @brief The pointer by which every model class holds its shared data block.
 */

namespace projects {

/**
 * @brief A QExplicitlySharedDataPointer whose block is const wherever the pointer is.
 *
 * In a const method of a model class the block is read-only, so the method cannot change
 * it, nor detach a container in it (a non-const begin(), operator[] or range-for over a
 * QList or QHash would) while other threads read the same block through their copies.
 * The few const methods that write on purpose do so through data(), and say so.
 */
template <typename T> class DataPointer : public QExplicitlySharedDataPointer<T>
{
public:
    using QExplicitlySharedDataPointer<T>::QExplicitlySharedDataPointer;
    using QExplicitlySharedDataPointer<T>::operator=;

    /// Returns the block, to read and write.
    T* operator->() { return this->data(); }
    /// Returns the block, to read only.
    const T* operator->() const { return this->constData(); }
    /// Returns the block, to read and write.
    T& operator*() { return *this->data(); }
    /// Returns the block, to read only.
    const T& operator*() const { return *this->constData(); }
};

} // namespace projects

#endif // PROJECTS_COMMON_DATAPOINTER_H
