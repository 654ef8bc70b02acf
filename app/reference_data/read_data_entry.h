#pragma once

#include "app/reference_data/tuning_records.h"
#include "app/reference_data/xml_document.h"

// Reads a valid DATA element, whose KODYPIN gave code, into a fresh record. Values outside their
// rules are dropped silently.
recTuningDate readDataEntry(qint32 code, const XmlElement& data);
