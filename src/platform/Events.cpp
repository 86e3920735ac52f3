#include "platform/Events.h"

#include <QMetaMethod>

bool BindEventHandler(TEventBase& Event, QObject* Target, const QString& Name, QString& Error) {
  const QList<QByteArray> Wanted = Event.ParameterTypes();
  const QMetaObject* Meta = Target->metaObject();
  const QByteArray Signature = Name.toLatin1() + '(' + Wanted.join(',') + ')';
  int Index = Meta->indexOfMethod(QMetaObject::normalizedSignature(Signature.constData()).constData());
  if (Index >= 0) {
    QMetaMethod Method = Meta->method(Index);
    if (Method.methodType() == QMetaMethod::Slot || Method.methodType() == QMetaMethod::Method) {
      Event.BindMethod(Target, Index, Name);
      return true;
    }
  }
  for (int I = 0; I < Meta->methodCount(); ++I) {
    if (Meta->method(I).name() == Name.toLatin1()) {
      Error = QStringLiteral("handler '%1' of %2 must take (%3)")
                  .arg(Name, QString::fromLatin1(Meta->className()), QString::fromLatin1(Wanted.join(", ")));
      return false;
    }
  }
  Error = QStringLiteral("%1 has no handler '%2'").arg(QString::fromLatin1(Meta->className()), Name);
  return false;
}
