#pragma once

#include "sales/SaleSaver.h"

// The operations of the cash register a sale writes for itself, in its own
// save, so that the document and its operation are stored or refused
// together; a stored document written again brings its operation's date,
// due date and partner along.
namespace SaleCashSteps {

// The goods note of codes 1, 2, 4 and 10: an income operation of its total;
// a credit note's goods note (a refund) writes none.
SaleSaveGroup GoodsNoteOperation();
// A new credit note paid in cash returns money: an expense operation of its
// total, linked to the credit note in a table of its own (created when
// first needed), since `based_on_doc_id` of an expense names a delivery.
SaleSaveGroup CreditNoteOperation();

} // namespace SaleCashSteps
