#include "platform/FormCheck.h"

#include <QSet>
#include <cstdio>
#include <exception>

#include "platform/FormDesigns.h"
#include "platform/FormReader.h"
#include "platform/FormText.h"
#include "platform/Forms.h"

namespace {

// Creates a registered class, turning a failing constructor into a problem.
std::unique_ptr<QObject> CreateChecked(const TComponentRegistry& Registry, const QString& ClassName,
                                       const QString& File, int Line, QList<TFormProblem>& Problems) {
  try {
    std::unique_ptr<QObject> Object = Registry.Create(ClassName);
    if (!Object) Problems.append({File, Line, QStringLiteral("unknown class '%1'").arg(ClassName)});
    return Object;
  } catch (const std::exception& E) {
    Problems.append({File, Line, QStringLiteral("creating %1 failed: %2").arg(ClassName, QString::fromUtf8(E.what()))});
    return nullptr;
  }
}

QList<TFormProblem> CheckDesign(const TFormDesign& Design, const TComponentRegistry& Registry) {
  QList<TFormProblem> Problems;
  TFormParseResult Parsed =
      ParseFormText(std::string_view(Design.Text.constData(), static_cast<std::size_t>(Design.Text.size())));
  if (!Parsed.Ok) {
    Problems.append({Design.FileName, Parsed.ErrorLine, QString::fromStdString(Parsed.Error)});
    return Problems;
  }
  const QString ClassName = QString::fromStdString(Parsed.Root.ClassName);
  std::unique_ptr<QObject> Root = CreateChecked(Registry, ClassName, Design.FileName, Parsed.Root.Line, Problems);
  if (!Root) return Problems;
  if (auto* Form = qobject_cast<TCustomForm*>(Root.get())) return Form->TryLoadDesign(TDesignMode::Check, &Design);
  TFormReader Reader(Root.get(), Registry);
  Reader.Read(Parsed.Root, Design.FileName);
  Reader.Finish();
  return Reader.Problems();
}

}  // namespace

QList<TFormProblem> CheckForms(const TComponentRegistry& Registry) {
  QList<TFormProblem> Problems;
  QSet<QString> Used;
  for (const QString& ClassName : Registry.FormClasses()) {
    std::unique_ptr<QObject> Object = CreateChecked(Registry, ClassName, FormResourcePath(ClassName), 0, Problems);
    auto* Form = qobject_cast<TCustomForm*>(Object.get());
    if (!Object) continue;
    if (!Form) {
      Problems.append({FormResourcePath(ClassName), 0, QStringLiteral("%1 is registered as a form but is none").arg(ClassName)});
      continue;
    }
    for (const QMetaObject* M = Form->metaObject(); M; M = M->superClass())
      if (std::optional<TFormDesign> D = FindFormDesign(QString::fromLatin1(M->className()))) Used.insert(D->FileName);
    Problems.append(Form->TryLoadDesign(TDesignMode::Check));
  }
  QStringList Unused;
  for (const QString& File : FormDesignResources())
    if (!Used.contains(File)) Unused << File;
  Problems.append(CheckFormFiles(Unused, Registry));
  return Problems;
}

QList<TFormProblem> CheckFormFiles(const QStringList& Paths, const TComponentRegistry& Registry) {
  QList<TFormProblem> Problems;
  for (const QString& Path : Paths) {
    QString Error;
    std::optional<TFormDesign> Design = ReadFormDesignFile(Path, Error);
    if (!Design) {
      Problems.append({Path, 0, Error});
      continue;
    }
    Problems.append(CheckDesign(*Design, Registry));
  }
  return Problems;
}

int RunFormCheck(const QStringList& Paths) {
  const QList<TFormProblem> Problems = Paths.isEmpty() ? CheckForms() : CheckFormFiles(Paths);
  for (const TFormProblem& P : Problems) std::fprintf(stderr, "%s\n", P.ToString().toLocal8Bit().constData());
  if (Paths.isEmpty())
    std::printf("Checked %lld form classes and %lld design files: %lld problem(s).\n",
                static_cast<long long>(TComponentRegistry::Instance().FormClasses().size()),
                static_cast<long long>(FormDesignResources().size()), static_cast<long long>(Problems.size()));
  else
    std::printf("Checked %lld design files: %lld problem(s).\n", static_cast<long long>(Paths.size()),
                static_cast<long long>(Problems.size()));
  return Problems.isEmpty() ? 0 : 1;
}
