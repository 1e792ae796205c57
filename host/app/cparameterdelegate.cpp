#include "cparameterdelegate.h"

#include "citemtypelimits.h"
#include "cnumbereditor.h"
#include "cparametermodel.h"
#include "cvalueformat.h"
#include "items/citem.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const char *const shownValueProperty = "loomworkShownValue";

// Type limits in stored units for items without a range of their own.
QPair<double, double> typeLimits(int type)
{
    if (type == CItem::DATA_TYPE_FLOAT)
        return {-1e9, 1e9};
    const QPair<double, double> limits = CItemTypeLimits::limits(type);
    return limits.first < limits.second ? limits : QPair<double, double>(0.0, 65535.0);
}

int textWidth(int type)
{
    return type == CItem::DATA_TYPE_BUILDDATE ? 12 : 10;
}

QComboBox *comboWith(const QStringList &entries, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(entries);
    return combo;
}

CNumberEditor *numberEditor(const CItem *item, QWidget *parent)
{
    auto *editor = new CNumberEditor(parent);
    const QPair<double, double> range = CParameterDelegate::displayRange(item);
    editor->setDecimals(CValueFormat::editorDecimals(item));
    editor->setAllowedRange(range.first, range.second, item->unit());
    return editor;
}

} // namespace

CParameterDelegate::CParameterDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QPair<double, double> CParameterDelegate::displayRange(const CItem *item)
{
    double low = item->minimum();
    double high = item->maximum();
    if (low == high)
        return typeLimits(item->type());
    if (low > high)
        std::swap(low, high);
    if (item->type() == CItem::DATA_TYPE_FLOAT || item->decimalFactor() == 0.0)
        return {low, high};
    return {low / item->decimalFactor(), high / item->decimalFactor()};
}

QWidget *CParameterDelegate::editorFor(const CItem *item, QWidget *parent)
{
    switch (item->type()) {
    case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_LIST32:
    case CItem::DATA_TYPE_BITFIELD_ENTRY:
        return comboWith(item->textList(), parent);
    case CItem::DATA_TYPE_BOOL:
        return comboWith({QCoreApplication::translate("CItem", "Off"),
                          QCoreApplication::translate("CItem", "On")}, parent);
    case CItem::DATA_TYPE_TEXT16:
    case CItem::DATA_TYPE_TEXT8:
    case CItem::DATA_TYPE_BUILDDATE: {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(textWidth(item->type()));
        return edit;
    }
    case CItem::DATA_TYPE_DATETIME: {
        auto *edit = new QDateTimeEdit(parent);
        edit->setDisplayFormat(CItem::dateTimeFormat(false));
        return edit;
    }
    default:
        return numberEditor(item, parent);
    }
}

CItem *CParameterDelegate::itemOf(const QModelIndex &index)
{
    return qobject_cast<CItem *>(index.data(CParameterModel::ItemRole).value<QObject *>());
}

QWidget *CParameterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    const CItem *item = itemOf(index);
    if (!item || index.column() != CParameterModel::ValueColumn)
        return QStyledItemDelegate::createEditor(parent, option, index);
    QWidget *editor = editorFor(item, parent);
    editor->setAutoFillBackground(true);
    return editor;
}

void CParameterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        combo->setCurrentIndex(value.toInt());
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(editor)) {
        spin->setValue(value.toDouble());
        // What the editor shows may be the value rounded to its decimals.
        spin->setProperty(shownValueProperty, spin->value());
    }
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(value.toString());
    else if (auto *dateTime = qobject_cast<QDateTimeEdit *>(editor))
        dateTime->setDateTime(value.toDateTime());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void CParameterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentIndex());
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(editor)) {
        // Confirming what the editor showed is no edit, even when the
        // value has more digits than the editor.
        spin->interpretText();
        if (accepts(editor) && spin->value() != spin->property(shownValueProperty).toDouble())
            model->setData(index, spin->value());
    }
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        model->setData(index, line->text());
    else if (auto *dateTime = qobject_cast<QDateTimeEdit *>(editor))
        model->setData(index, dateTime->dateTime());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

bool CParameterDelegate::accepts(QWidget *editor) const
{
    auto *number = qobject_cast<CNumberEditor *>(editor);
    if (!number || number->isAcceptable())
        return true;
    number->showProblem();
    emit inputRefused(number->problem());
    return false;
}

bool CParameterDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *number = qobject_cast<CNumberEditor *>(object);
    if (!number || number->isAcceptable())
        return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Confirming a refused value keeps the editor open on it.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            accepts(number);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && !number->isAncestorOf(QApplication::focusWidget())) {
        // Leaving it drops the value, said aloud.
        accepts(number);
        emit closeEditor(number, QAbstractItemDelegate::RevertModelCache);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
