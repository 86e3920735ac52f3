#pragma once
// Why a file could not be read or written, in German and in words a pupil
// understands ("die Datei gibt es nicht"), to follow a colon in a message.
// The system's own error texts are English and name C library terms.
#include <QString>

class QFileDevice;

QString FileProblem(const QFileDevice& File);
