#pragma once

// While one lives, the window only carries what the pages show across a
// language switch: it encodes the pages and decodes them again from what
// they wrote, once the texts are translated. Such an encode is no save, and
// such a decode reads no file: a field that keeps more than its bytes hold
// (what the file's decode showed, a hemisphere chosen on a position of 0)
// keeps it.
class Carried_Values
{
public:
    Carried_Values() { ++m_depth; }
    ~Carried_Values() { --m_depth; }
    Carried_Values(const Carried_Values&) = delete;
    Carried_Values& operator=(const Carried_Values&) = delete;

    static bool Active() { return m_depth > 0; }

private:
    static inline int m_depth = 0;
};
