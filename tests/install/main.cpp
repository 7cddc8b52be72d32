// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Reads a project file through the installed headers and library.
#include <projects/floor.h>
#include <projects/project.h>
#include <projects/reader/projectreader.h>

#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 3;
    projects::ProjectReader reader;
    const projects::Project project = reader.parse(&file);
    if (reader.parsingError())
        return 1;
    QTextStream(stdout) << project.name() << ' ' << project.floors().size() << '\n';
    return 0;
}
