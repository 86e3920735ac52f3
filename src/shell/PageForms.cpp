#include "shell/PageForms.h"

#include "platform/ComponentRegistry.h"
#include "platform/Forms.h"

TPageFactory DesignedPageFactory() {
  return [](const std::string& ClassName, QWidget* Parent) -> std::unique_ptr<QWidget> {
    const QString Name = QString::fromStdString(ClassName);
    const TComponentRegistry& Registry = TComponentRegistry::Instance();
    if (!Registry.IsForm(Name)) return nullptr;
    std::unique_ptr<QObject> Object = Registry.Create(Name);
    auto* Form = qobject_cast<TCustomForm*>(Object.get());
    if (!Form) return nullptr;
    Object.release();
    std::unique_ptr<QWidget> Page(Form);
    Form->setParent(Parent);
    Form->LoadDesign();
    return Page;
  };
}
