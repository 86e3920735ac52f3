#pragma once
// Where form designs come from.
//
// A form class finds its design by its class name: the design of TfmBIU0 is
// the resource ":/forms/BIU0.frm" (the class name without "Tfm", or without
// "T" for other classes), which is the file BIU0.frm next to the form's code,
// compiled in by
//
//   velotra_add_forms(BIU0.frm)        # in the folder's CMakeLists.txt
//
// Designs registered at run time (tests, generated designs) come first.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct TFormDesign {
  QString FileName;  // for messages: ":/forms/BIU0.frm" or a path
  QByteArray Text;
};

// "TfmBIU0" -> "BIU0", "TMyDialog" -> "MyDialog".
QString FormModuleName(const QString& ClassName);
// The resource that holds the design of ClassName.
QString FormResourcePath(const QString& ClassName);

std::optional<TFormDesign> FindFormDesign(const QString& ClassName);
void RegisterFormDesign(const QString& ClassName, const QByteArray& Text, const QString& FileName);
void UnregisterFormDesign(const QString& ClassName);

// Every compiled-in design file, sorted.
QStringList FormDesignResources();

// Reads a design file (a path or a resource). Empty with Error set on failure.
std::optional<TFormDesign> ReadFormDesignFile(const QString& Path, QString& Error);
