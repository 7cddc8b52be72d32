#ifndef PROJECTS_SCENE_H
#define PROJECTS_SCENE_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>
#include <QSet>
#include <QUuid>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Scene
{
public:
    Scene();
    Scene(const Scene& other);
    Scene(Scene&& other) noexcept;
    ~Scene();
    Scene& operator=(const Scene& other);
    Scene& operator=(Scene&& other) noexcept;
    void swap(Scene& other) noexcept { d.swap(other.d); }

    /**
     * @brief Identifiers of the scene triggers that start this scene.
     *
     * Returns a reference into the shared data: changes are seen by all copies.
     */
    QSet<QUuid>& triggers();
    /** @brief Read-only twin of triggers(). */
    const QSet<QUuid>& triggers() const;

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Scene, Q_MOVABLE_TYPE);

#endif // PROJECTS_SCENE_H
