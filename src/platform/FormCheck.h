#pragma once
// The design check: loads every registered form and every compiled-in design
// without showing anything and collects every problem.
#include <QList>
#include <QStringList>

#include "platform/ComponentRegistry.h"
#include "platform/FormErrors.h"

// Every registered form class with its designs, then every design resource
// that no registered form uses (into an instance of its root class).
QList<TFormProblem> CheckForms(const TComponentRegistry& Registry = TComponentRegistry::Instance());

// Design files given by path or resource name, each loaded into an instance
// of the class its first line names (after the designs of that class's form
// base classes).
QList<TFormProblem> CheckFormFiles(const QStringList& Paths,
                                   const TComponentRegistry& Registry = TComponentRegistry::Instance());

// "velotra --check-forms [files]": prints the problems, one per line, and a
// summary; returns 1 when there is any problem, else 0.
int RunFormCheck(const QStringList& Paths);
