#ifndef PROJECTS_COMMON_NAMESPACES_H
#define PROJECTS_COMMON_NAMESPACES_H

#include <QLatin1String>

/**
 * @file namespaces.h
 * @brief The XML namespace URIs of the project file.
 */

namespace projects {
namespace ns {

/// The default namespace of a current project file: the document element and every
/// unprefixed element.
constexpr QLatin1String Project("http://schemas.casarina.org/Casarina/2017/09");
/// The user-profile namespace, written with the prefix "p".
constexpr QLatin1String Profile("http://schemas.casarina.org/Casarina/2017/09/profile");
/// The cache namespace, written with the prefix "c".
constexpr QLatin1String Cache("http://schemas.casarina.org/Casarina/2017/09/cache");
/// The namespace of the document element of older files; accepted, never written.
constexpr QLatin1String Legacy("http://schemas.casarina.org/Tessaro/2016/12");

/// The prefix written for the profile namespace.
constexpr QLatin1String ProfilePrefix("p");
/// The prefix written for the cache namespace.
constexpr QLatin1String CachePrefix("c");

} // namespace ns
} // namespace projects

#endif // PROJECTS_COMMON_NAMESPACES_H
