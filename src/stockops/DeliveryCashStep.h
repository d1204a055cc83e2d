#pragma once

#include "stockops/DeliverySaver.h"

// A new delivery writes an expense operation of its total in its own save
// (paid at once when "плащане до:" is ticked); a stored delivery written
// again brings its operation's date, due date and partner along.
DeliverySaveGroup DeliveryCashStep();
