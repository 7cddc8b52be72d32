// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_PROJECTENUM_H
#define PROJECTS_PROJECTENUM_H

#include <projects/projects_export.h>

#include <QObject>

namespace projects {

/**
 * @brief Carries the device model enumeration AppId into Qt's meta-object system, so
 * that its key names ("Model_4832") and values (18482) convert both ways through
 * QMetaEnum.
 *
 * The class has no data of its own; `ProjectEnum::staticMetaObject` is what hosts use.
 */
class PROJECTS_EXPORT ProjectEnum : public QObject
{
    Q_OBJECT
public:
    /// The application ids of the device models an actuator can belong to.
    enum AppId {
        Model_Unknown = -1,  ///< not set
        Model_0000 = 0,      ///< model 0000
        VESK_BOX = 1,        ///< the hub device; its presence sets Project::hasVeskBox()
        Model_0615 = 0x615,  ///< model 0615
        Model_0625 = 0x625,  ///< model 0625, switching
        Model_0675 = 0x675,  ///< model 0675, dimming
        Model_0655 = 0x655,  ///< model 0655, blinds
        Model_4862 = 0x4862, ///< model 4862, switching
        Model_4852 = 0x4852, ///< model 4852, switching
        Model_4824 = 0x4824, ///< model 4824, switching
        Model_4828 = 0x4828, ///< model 4828, switching
        Model_4829 = 0x4829, ///< model 4829, switching
        Model_4867 = 0x4867, ///< model 4867, dimming
        Model_4881 = 0x4881, ///< model 4881, dimming
        Model_4870 = 0x4870, ///< model 4870, dimming
        Model_4880 = 0x4880, ///< model 4880, dimming
        Model_4872 = 0x4872, ///< model 4872, dimming
        Model_4874 = 0x4874, ///< model 4874, dimming
        Model_4803 = 0x4803, ///< model 4803, dimming
        Model_4865 = 0x4865, ///< model 4865, blinds
        Model_4855 = 0x4855, ///< model 4855, blinds
        Model_4854 = 0x4854, ///< model 4854, blinds
        Model_4858 = 0x4858, ///< model 4858, blinds
        Model_4851 = 0x4851, ///< model 4851, blinds
        Model_4864 = 0x4864, ///< model 4864, heating
        Model_4856 = 0x4856, ///< model 4856, heating
        Model_4846 = 0x4846, ///< model 4846, heating
        Model_4841 = 0x4841, ///< model 4841, heating
        Model_4843 = 0x4843, ///< model 4843, heating
        Model_4842 = 0x4842, ///< model 4842, heating
        Model_4832 = 0x4832, ///< model 4832, split air-conditioning unit
        Model_4802 = 0x4802, ///< model 4802
        Model_0604 = 0x604,  ///< model 0604
        Model_4804 = 0x4804, ///< model 4804
        Model_4808 = 0x4808, ///< model 4808
        Model_0412 = 0x412,  ///< model 0412
        Model_0414 = 0x414,  ///< model 0414
        Model_0418 = 0x418,  ///< model 0418
        Model_4800 = 0x4800, ///< model 4800
        Model_4836 = 0x4836, ///< model 4836
        Model_4899 = 0x4899, ///< model 4899, weather station
        Model_0492 = 0x492,  ///< model 0492, weather station
        Model_4891 = 0x4891, ///< model 4891
        Model_4850 = 0x4850, ///< model 4850
        Model_4835 = 0x4835  ///< model 4835
    };
    Q_ENUM(AppId)

    /// Creates the carrier object; it has no parent and no data.
    ProjectEnum();
    ~ProjectEnum() override;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    /// Same as tr(), deprecated as Qt 5's Q_OBJECT declares it; Qt 6's no longer does.
    QT_DEPRECATED static QString trUtf8(const char* sourceText,
                                        const char* disambiguation = nullptr, int n = -1)
    {
        return tr(sourceText, disambiguation, n);
    }
#endif
};

} // namespace projects

#endif // PROJECTS_PROJECTENUM_H
