#ifndef PROJECTS_FUNCTION_H
#define PROJECTS_FUNCTION_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>
#include <QObject>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Function
{
    Q_GADGET
public:
    /// The kind of a function; its key names are written in project files.
    enum FunctionType {
        Unknown = 0,           ///< not known
        Switch = 1,            ///< a switched output
        Dimming = 2,           ///< a dimmer
        Blind = 3,             ///< a blind or shutter
        Heating = 4,           ///< a heating zone
        StateStatus = 5,       ///< a display of an on/off state
        TemperatureStatus = 6, ///< a display of a temperature
        SplitUnit = 7,         ///< a split air-conditioning unit
        Scene = 8              ///< a scene button
    };
    Q_ENUM(FunctionType)

    Function();
    Function(const Function& other);
    Function(Function&& other) noexcept;
    ~Function();
    Function& operator=(const Function& other);
    Function& operator=(Function&& other) noexcept;
    void swap(Function& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Function, Q_MOVABLE_TYPE);

#endif // PROJECTS_FUNCTION_H
