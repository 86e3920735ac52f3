#pragma once
// Conversion between design values and the values of published properties.
// Object properties (sub-objects, collections, component references) are
// the form reader's and writer's own business and are not handled here.
#include <QMetaObject>
#include <QMetaProperty>
#include <QString>
#include <QVariant>

#include "platform/ComponentRegistry.h"
#include "platform/FormText.h"

// Converts Value for Property of an object of class Class. False with Error
// set when the value does not fit the property.
bool DesignValueToVariant(const TFormValue& Value, const QMetaObject* Class, const QMetaProperty& Property,
                          const TComponentRegistry& Registry, QVariant& Out, QString& Error);

// Converts a property value to design form; false when the property's type
// has no design form.
bool VariantToDesignValue(const QVariant& Value, const QMetaObject* Class, const QMetaProperty& Property,
                          const TComponentRegistry& Registry, TFormValue& Out);

// "an integer", "the identifier 'x'", ... for messages.
QString DescribeDesignValue(const TFormValue& Value);
