#ifndef CITEM_H
#define CITEM_H

#include "items/loomwork_global.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// One bit field of a bit-set parameter, as setBitfieldEntries() turns it into
// a child item.
struct BitfieldEntry
{
    QString name;      // object-name suffix of the child item
    int bitCount = 0;
    bool visible = true;
    QString caption;
    QString textList;
};

typedef QMap<int, BitfieldEntry> BitfieldDescription; // bit position -> entry
typedef QPair<QString, QString> FeatureElement;       // name, value

// One device parameter: a typed value with range, scaling, texts and
// translations. Items form a tree through the QObject parent relation;
// containers own parameters, bit sets own their bit-field entries.
class LOOMWORK_EXPORT CItem : public QObject
{
    Q_OBJECT

public:
    enum ENUM_DATA_TYPES {
        DATA_TYPE_NONE = 0,
        DATA_TYPE_OBJECT = 1,
        DATA_TYPE_GROUP = 2,
        DATA_TYPE_TEXT16 = 3,
        DATA_TYPE_INT16 = 4,
        DATA_TYPE_UINT16 = 5,
        DATA_TYPE_INT8 = 6,
        DATA_TYPE_UINT8 = 7,
        DATA_TYPE_INT32 = 8,
        DATA_TYPE_UINT32 = 9,
        DATA_TYPE_BOOL = 10,
        DATA_TYPE_FLOAT = 11,
        DATA_TYPE_LIST16 = 12,
        DATA_TYPE_LIST32 = 13,
        DATA_TYPE_PASSWORD = 14,
        DATA_TYPE_VERSION16 = 15,
        DATA_TYPE_VERSION32 = 16,
        DATA_TYPE_BIT8 = 17,
        DATA_TYPE_BIT16 = 18,
        DATA_TYPE_BIT32 = 19,
        DATA_TYPE_BITFIELD_ENTRY = 20,
        DATA_TYPE_DATETIME = 21,
        DATA_TYPE_CHAR_TIME15 = 22,
        DATA_TYPE_SHORT_TIME15 = 23,
        DATA_TYPE_LONG_TIME15 = 24,
        DATA_TYPE_TEXT8 = 25,
        DATA_TYPE_BUILDDATE = 26
    };

    // language id -> source text -> translated text
    typedef QHash<QString, QHash<QString, QString>> Translations;

    explicit CItem(QObject *parent = nullptr);
    ~CItem() override;

    // Plain getters: the stored, untranslated fields.
    bool isVisible() const;
    bool isReadOnly() const;
    QString languageId() const;
    QString rawCaption() const;
    Translations translations() const;
    int id() const;
    ENUM_DATA_TYPES type() const;
    QColor color() const;
    QString rawUnit() const;
    QVariant value() const;
    QVariant defaultValue() const;
    double minimum() const;
    double maximum() const;
    double decimalFactor() const;
    double precision() const;
    QString rawSpecialValueText() const;
    QString rawSpecialOutput() const;
    QString infoNumber() const;
    QString rawTextList() const;
    int bitPosition() const;
    int bitCount() const;
    int yAxis() const;
    QList<FeatureElement> features() const;
    bool isChartVisible() const;

    // Translated getters: the field's translation in the item's language (or
    // in languageId), falling back to the raw text.
    QString caption() const;
    QString caption(const QString &languageId) const;
    QString unit() const;
    QString unit(const QString &languageId) const;
    QString specialValueText() const;
    QString specialValueText(const QString &languageId) const;
    QStringList textList() const;
    QStringList textList(const QString &languageId) const;
    QString specialOutput() const;

    // Captions of the enclosing groups, " - " separated; objects do not count.
    QString captionPath() const;
    QString captionPath(const QString &languageId) const;
    QString fullCaption() const;
    QString fullCaption(const QString &languageId) const;

    // Display text of the stored value, or of value, by type, factor,
    // precision and text list. Numbers use a decimal comma.
    QString valueText() const;
    QString valueText(const QVariant &value) const;
    QString valueText(const QVariant &value, bool applyFactor) const;

    static QString dateTimeFormat(bool withMilliseconds);
    static QString timeFormat(bool withMilliseconds);
    static QString dateFormat();
    static QVariant displayValue(const QVariant &value, ENUM_DATA_TYPES type, double factor);
    static QVariant bitFieldValue(const QVariant &value, ENUM_DATA_TYPES type, int position, int count);

    void setBitPosition(int position);
    void setBitCount(int count);
    // Takes over this item's texts from a shared dictionary, then recurses
    // into the direct child items.
    void setTranslations(const Translations &dictionary);

    // Typed value of the first feature named name; invalid when there is none.
    QVariant feature(const QString &name) const;
    bool hasFeature(const QString &name) const;

    // Encoded size of the whole subtree in bytes.
    int byteSize() const;
    int countDescendantsOfType(ENUM_DATA_TYPES type) const;
    bool hasVisibleDescendant() const;
    QList<CItem *> visibleChildren() const;
    // The direct child items (QObject children that are items), visible or
    // not, in child order: a container's parameters, a bit-type parameter's
    // bit-field entries.
    QList<CItem *> childItems() const;
    int row() const;
    bool hasFilledContainer() const;
    static bool lessById(const CItem *first, const CItem *second);

    // Device byte layout of the value (registers big-endian, wide values low
    // register first).
    QByteArray toByteArray() const;
    void setByteArray(const QByteArray &data);
    static QVariant fromByteArray(const QByteArray &data, ENUM_DATA_TYPES type);

    // Configures the item from a description's attribute set. Returns true
    // when "Datatype" names no known type (the type is then kept).
    bool setAttributes(const QHash<QString, QString> &attributes);

signals:
    void valueChanged(QVariant);
    void valueEdited();
    void newValue(QVariant);
    void visibleChanged(bool);
    void unitChanged(QString);
    void colorChanged(QColor);
    void decimalFactorChanged(double);
    void precisionChanged(double);
    void yAxisChanged(int);
    void childChanged(QVariant);
    void chartVisibleChanged(bool);
    void readOnlyChanged(bool);

public slots:
    void setUnit(const QVariant &unit);
    void setLanguageId(const QString &languageId);
    void setCaption(const QString &caption);
    void setType(CItem::ENUM_DATA_TYPES type);
    void setReadOnly(bool state);
    void setVisible(bool state);
    void setRange(double min, double max);
    void setDecimalFactor(double factor);
    void setPrecision(double precision);
    void setValue(const QVariant &value);
    void setDefaultValue(const QVariant &value);
    void setSpecialValueText(const QString &text);
    void setSpecialOutput(const QString &text);
    void setInfoNumber(const QString &text);
    void setTextList(const QString &texte);
    void setColor(const QColor &color);
    void setId(int id);
    void setBitfieldEntries(const BitfieldDescription &bitfield);
    void setYAxis(int index);
    void setFeatures(const QList<FeatureElement> &data);
    void setChartVisible(bool state);
    void childVisibilityChanged(bool state);

private slots:
    void childValueChanged(const QVariant &newValue);

private:
    QString translatedText(const QString &text, const QString &languageId) const;
    QList<CItem *> descendantItems() const;
    void setListValue(const QVariant &v);
    void distributeBits(const QVariant &v);
    QString numberText(const QVariant &value, double divisor, bool decimalComma) const;
    static int encodedSize(int type);
    static bool isAddressName(const QString &name);
    static uint parseAddress(const QString &text);

    bool m_visible = true;
    bool m_readOnly = false;
    QString m_languageId;
    QString m_caption;
    Translations m_translations;
    int m_id = -1;
    ENUM_DATA_TYPES m_type = DATA_TYPE_NONE;
    QColor m_color;
    QString m_unit;
    QVariant m_value = QVariant(int(0));
    QVariant m_defaultValue = QVariant(int(0));
    double m_minimum = 0.0;
    double m_maximum = 0.0;
    double m_decimalFactor = 1.0;
    double m_precision = 0.0;
    QString m_specialValueText;
    QString m_specialOutput;
    QString m_infoNumber;
    QString m_textList;
    int m_bitPosition = 0;
    int m_bitCount = 0;
    int m_yAxis = 0;
    QList<FeatureElement> m_features;
    bool m_chartVisible = false;
};

#endif // CITEM_H
