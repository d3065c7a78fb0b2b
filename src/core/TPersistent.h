#pragma once

class TPropertyTable;

// Anything whose state is a declared list of published properties: the
// design objects and the nested objects they own (font, pen, brush, pictures,
// string lists). The stream, cloning, the clipboard and the batch tool's dump
// all work through the table alone.
class TPersistent
{
public:
    TPersistent() = default;
    TPersistent(const TPersistent &) = delete;
    TPersistent &operator=(const TPersistent &) = delete;
    virtual ~TPersistent();

    virtual const TPropertyTable &properties() const = 0;

    // Called by a declared property after it stored a new value.
    virtual void PropertyChanged() {}

protected:
    // The body of every plain setter: a different value is stored and reported.
    template <class V>
    bool Update(V &field, const V &value)
    {
        if (field == value)
            return false;
        field = value;
        PropertyChanged();
        return true;
    }
};
