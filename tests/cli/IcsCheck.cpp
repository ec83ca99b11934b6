#include "IcsCheck.h"

#include <libical/ical.h>
#include <set>

namespace {

void CollectErrors(icalcomponent* C, std::vector<std::string>& Out) {
    for (icalproperty* p = icalcomponent_get_first_property(C, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(C, ICAL_XLICERROR_PROPERTY))
        Out.push_back(icalproperty_get_xlicerror(p));
    for (icalcomponent* k = icalcomponent_get_first_component(C, ICAL_ANY_COMPONENT); k;
         k = icalcomponent_get_next_component(C, ICAL_ANY_COMPONENT))
        CollectErrors(k, Out);
}

void ExactlyOnce(icalcomponent* C, icalproperty_kind Kind, const char* Name,
                 std::vector<std::string>& Out) {
    if (icalcomponent_count_properties(C, Kind) != 1)
        Out.push_back(std::string(icalcomponent_kind_to_string(icalcomponent_isa(C))) +
                      " needs exactly one " + Name);
}

// What the standard requires of a calendar that carries no METHOD, which the library's own
// restriction table leaves unchecked.
void CheckRequired(icalcomponent* Cal, std::vector<std::string>& Out) {
    ExactlyOnce(Cal, ICAL_VERSION_PROPERTY, "VERSION", Out);
    ExactlyOnce(Cal, ICAL_PRODID_PROPERTY, "PRODID", Out);
    std::set<std::string> uids;
    for (icalcomponent* e = icalcomponent_get_first_component(Cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(Cal, ICAL_VEVENT_COMPONENT)) {
        ExactlyOnce(e, ICAL_UID_PROPERTY, "UID", Out);
        ExactlyOnce(e, ICAL_DTSTAMP_PROPERTY, "DTSTAMP", Out);
        ExactlyOnce(e, ICAL_DTSTART_PROPERTY, "DTSTART", Out);
        if (const char* uid = icalcomponent_get_uid(e); uid && !uids.insert(uid).second)
            Out.push_back(std::string("UID used twice: ") + uid);
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        if (!icaltime_is_null_time(end) && icaltime_compare(end, start) <= 0)
            Out.push_back("DTEND not after DTSTART");
    }
}

} // namespace

std::vector<std::string> IcsProblems(const QByteArray& Calendar) {
    icalcomponent* c = icalparser_parse_string(Calendar.constData());
    if (!c) return {"the library could not parse the calendar"};
    std::vector<std::string> out;
    if (icalcomponent_isa(c) != ICAL_VCALENDAR_COMPONENT) out.push_back("not a VCALENDAR");
    icalrestriction_check(c);
    CollectErrors(c, out);
    CheckRequired(c, out);
    icalcomponent_free(c);
    return out;
}

int IcsEventCount(const QByteArray& Calendar) {
    icalcomponent* c = icalparser_parse_string(Calendar.constData());
    if (!c) return -1;
    const int n = icalcomponent_count_components(c, ICAL_VEVENT_COMPONENT);
    icalcomponent_free(c);
    return n;
}
