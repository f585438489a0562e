-- The back office's store, the same on SQLite and PostgreSQL. Money is BIGINT ten-thousandths of a
-- dollar; days are 'yyyy-mm-dd' text; times of day are 'HH:MM' text. Column names are the names the
-- data sets carry. Keys are given by the back office, never made by the engine (MAX + 1 in the
-- writing transaction), so that both engines take the same statements.

-- Code tables: one row per code, region and period of validity.
CREATE TABLE tvk_code (
    CD_TBL_ID     TEXT NOT NULL,
    CD_TBL_CD     TEXT NOT NULL,
    CD_TBL_DES    TEXT NOT NULL,
    REGION        TEXT NOT NULL,
    EFCTV_DT      TEXT NOT NULL,
    END_DT        TEXT,
    ADTL_INFO_TXT TEXT,
    PRIMARY KEY (REGION, CD_TBL_ID, CD_TBL_CD, EFCTV_DT),
    CHECK (END_DT IS NULL OR END_DT >= EFCTV_DT)
);

CREATE TABLE app_user (
    USER_ID  TEXT PRIMARY KEY,
    USER_NBR INTEGER NOT NULL UNIQUE,
    USER_NM  TEXT NOT NULL,
    REGION   TEXT NOT NULL
);

CREATE TABLE user_privilege (
    USER_ID  TEXT NOT NULL REFERENCES app_user (USER_ID),
    PRVLG_NM TEXT NOT NULL,
    PRIMARY KEY (USER_ID, PRVLG_NM)
);

CREATE TABLE customer (
    CUST_ID     TEXT PRIMARY KEY,
    CUST_NM     TEXT NOT NULL,
    CUST_TYP_CD TEXT,
    ADDR_1      TEXT,
    ADR_2_ADR   TEXT,
    CITY        TEXT,
    STATE       TEXT,
    ZIP         TEXT
);

-- What the customer search finds a customer by: its identifier (WORD_POS 0) and each word of its name
-- (1, 2, ...), folded to upper case (CustomerWords). WORD_NBR is the word's first seven bytes as a
-- number, so that a typed prefix is a range of numbers on every engine, whatever its text collation;
-- the name rides along so that the best matches are ordered from the index alone.
CREATE TABLE customer_word (
    CUST_ID  TEXT NOT NULL REFERENCES customer (CUST_ID),
    WORD_POS INTEGER NOT NULL,
    WORD_NBR BIGINT NOT NULL,
    WORD     TEXT NOT NULL,
    CUST_NM  TEXT NOT NULL,
    PRIMARY KEY (CUST_ID, WORD_POS)
);
CREATE INDEX customer_word_by_word ON customer_word (WORD_NBR, WORD_POS, WORD, CUST_NM, CUST_ID);
-- Identifiers (position 0) and first words (1) in name order, for the search's best tiers.
CREATE INDEX customer_word_by_position ON customer_word (WORD_POS, WORD_NBR, WORD, CUST_NM, CUST_ID);
-- Whether a customer has a word beginning with a further typed word: one seek per customer.
CREATE INDEX customer_word_by_customer ON customer_word (CUST_ID, WORD_NBR, WORD_POS, WORD);

-- Accounts receivable of every type (citations, temporary permits, payment plans, alerts). The number
-- is the seven-digit form number; its check digit is stored beside it.
CREATE TABLE acct_rcvbl (
    ACCT_RCVBL_NBR     INTEGER PRIMARY KEY CHECK (ACCT_RCVBL_NBR BETWEEN 0 AND 9999999),
    ACCT_RCVBL_CK_NBR  INTEGER NOT NULL CHECK (ACCT_RCVBL_CK_NBR BETWEEN 0 AND 9),
    ACCT_RCVBL_TYP_CD  TEXT NOT NULL,
    CUST_ID            TEXT NOT NULL REFERENCES customer (CUST_ID),
    STP_DT             TEXT,
    ACCT_RCVBL_DUE_DT  TEXT,
    LST_PYMT_DT        TEXT,
    ORIG_ASSMT_AMT     BIGINT  NOT NULL DEFAULT 0,
    LTE_FEE_AMT        BIGINT  NOT NULL DEFAULT 0,
    ACRD_INTRST_AMT    BIGINT  NOT NULL DEFAULT 0,
    ACCT_RCVBL_DUE_AMT BIGINT  NOT NULL DEFAULT 0,
    ACCT_RCVBL_BAL_AMT BIGINT  NOT NULL DEFAULT 0,
    ACCT_STTS_CD       TEXT NOT NULL,
    ACTV_STTS_CD       TEXT NOT NULL DEFAULT 'A',
    CASE_ID            TEXT,
    ASSMT_PP_TYP_CD    TEXT,
    INSTLMT_NBR        INTEGER,
    ROW_VERSION        INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX acct_rcvbl_by_customer ON acct_rcvbl (CUST_ID, ACCT_RCVBL_NBR);

-- Fees and penalties raised on an AR; status 'A' still owed, 'I' removed.
CREATE TABLE assessment (
    ACCT_RCVBL_NBR     INTEGER NOT NULL REFERENCES acct_rcvbl (ACCT_RCVBL_NBR),
    VLTN_ASSMT_SEQ_NBR INTEGER NOT NULL,
    TRNSCTN_NBR        INTEGER NOT NULL UNIQUE,
    ASSMT_CD           TEXT,
    ASSMT_ISSUE_DT     TEXT NOT NULL,
    ADJSTMT_DT         TEXT,
    CL_ASMT_AMT        BIGINT  NOT NULL,
    AC_ASMT_AMT        BIGINT ,
    BAL_DUE_AMT        BIGINT ,
    VLTN_ASSMT_STTS_CD TEXT NOT NULL CHECK (VLTN_ASSMT_STTS_CD IN ('A', 'I')),
    LIC_PRCHS_OPTN_IND TEXT,
    ROW_VERSION        INTEGER NOT NULL DEFAULT 1,
    PRIMARY KEY (ACCT_RCVBL_NBR, VLTN_ASSMT_SEQ_NBR)
);

-- The districts of each enforcement troop; a troop exists when it has a row here.
CREATE TABLE troop_district (
    PO_TRP_ID        TEXT NOT NULL,
    PO_TRP_DSTRCT_ID TEXT NOT NULL,
    PRIMARY KEY (PO_TRP_ID, PO_TRP_DSTRCT_ID)
);

-- The License Purchase Option recorded for an AR.
CREATE TABLE cttn_adtn_info (
    ACCT_RCVBL_NBR     INTEGER PRIMARY KEY REFERENCES acct_rcvbl (ACCT_RCVBL_NBR),
    PRCHS_OPTN_ST_CD   TEXT,
    PRCHS_OPTN_TAG_NBR TEXT,
    PRCHS_OPTN_DT      TEXT,
    PRCHS_OPTN_TM      TEXT,
    PO_TRP_ID          TEXT,
    PO_TRP_DSTRCT_ID   TEXT,
    PRCHS_OPTN_WGT     INTEGER,
    TOT_PRCHS_OPTN_AMT BIGINT ,
    PRCHS_OPTN_TXT     TEXT
);

CREATE TABLE account_activity (
    ACTIVITY_ID      INTEGER PRIMARY KEY,
    ACCT_RCVBL_NBR   INTEGER NOT NULL REFERENCES acct_rcvbl (ACCT_RCVBL_NBR),
    ACTVTY_DT        TEXT NOT NULL,
    ACTVTY_TM        TEXT NOT NULL,
    ACCT_ACTVTY_CD   TEXT NOT NULL,
    ACTVTY_AMT       BIGINT  NOT NULL DEFAULT 0,
    ACTVTY_BAL_AMT   BIGINT  NOT NULL DEFAULT 0,
    ACTVTY_CMMT_TXT  TEXT,
    LST_UPDT_USER_ID TEXT,
    LST_UPDT_TS      TEXT NOT NULL
);
CREATE INDEX account_activity_by_ar ON account_activity (ACCT_RCVBL_NBR);

-- Receipts: status 'O' open, 'B' backed out, 'C' canceled; confirmed when CNFRMTN_NBR is set.
CREATE TABLE receipt (
    RCPT_NBR     INTEGER PRIMARY KEY CHECK (RCPT_NBR BETWEEN 0 AND 9999999),
    RCPT_CK_NBR  INTEGER NOT NULL CHECK (RCPT_CK_NBR BETWEEN 0 AND 9),
    CUST_ID      TEXT NOT NULL REFERENCES customer (CUST_ID),
    RCPT_DT      TEXT NOT NULL,
    RCPT_STTS_CD TEXT NOT NULL,
    TOT_PYMT_AMT BIGINT  NOT NULL,
    CNFRMTN_NBR  TEXT,
    ROW_VERSION  INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX receipt_by_customer ON receipt (CUST_ID, RCPT_NBR);

-- The payment instruments of a receipt: cash, checks (found by their number), cards, money orders.
CREATE TABLE fund (
    FUND_ID        INTEGER PRIMARY KEY,
    RCPT_NBR       INTEGER NOT NULL REFERENCES receipt (RCPT_NBR),
    FUND_TYP_CD    TEXT NOT NULL,
    FUND_RFRNC_NBR TEXT,
    FUND_AMT       BIGINT  NOT NULL,
    EXPRTN_MO_DT   TEXT,
    EXPRTN_DY_DT   TEXT,
    EXPRTN_YR_DT   TEXT
);
CREATE INDEX fund_by_receipt ON fund (RCPT_NBR);
CREATE INDEX fund_by_reference ON fund (FUND_TYP_CD, FUND_RFRNC_NBR);

-- What a receipt paid against an AR; ACTVTY_STTS_CD is empty until the payment is backed out ('B')
-- or canceled ('C').
CREATE TABLE payment (
    PYMT_NBR       INTEGER PRIMARY KEY,
    RCPT_NBR       INTEGER NOT NULL REFERENCES receipt (RCPT_NBR),
    ACCT_RCVBL_NBR INTEGER NOT NULL REFERENCES acct_rcvbl (ACCT_RCVBL_NBR),
    TRNSCTN_NBR    INTEGER NOT NULL UNIQUE,
    TRNSCTN_DT     TEXT NOT NULL,
    PYMT_DT        TEXT NOT NULL,
    CL_PYMT_AMT    BIGINT  NOT NULL,
    ADJSTMT_DT     TEXT,
    ACTVTY_STTS_CD TEXT,
    STTS_CD        TEXT,
    ROW_VERSION    INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX payment_by_receipt ON payment (RCPT_NBR);
CREATE INDEX payment_by_ar ON payment (ACCT_RCVBL_NBR);

-- Excess funds left on a receipt: 'O' open, 'T' transferred to DSTNTN_RCPT_NBR, 'R' refunded.
CREATE TABLE overpayment (
    OVR_PYMT_ID      INTEGER PRIMARY KEY,
    RCPT_NBR         INTEGER NOT NULL REFERENCES receipt (RCPT_NBR),
    CUST_ID          TEXT NOT NULL REFERENCES customer (CUST_ID),
    OVR_PYMT_DT      TEXT NOT NULL,
    OVR_PYMT_TM      TEXT NOT NULL,
    OVR_PYMT_AMT     BIGINT  NOT NULL,
    OVR_PYMT_STTS_CD TEXT NOT NULL,
    DSTNTN_RCPT_NBR  INTEGER REFERENCES receipt (RCPT_NBR),
    ROW_VERSION      INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX overpayment_by_receipt ON overpayment (RCPT_NBR);

-- Refund worksheets, one per refunded excess fund; the officers are user numbers.
CREATE TABLE refund (
    RFND_NBR        INTEGER PRIMARY KEY CHECK (RFND_NBR BETWEEN 1 AND 9999999),
    CUST_ID         TEXT NOT NULL REFERENCES customer (CUST_ID),
    RCPT_NBR        INTEGER NOT NULL REFERENCES receipt (RCPT_NBR),
    STTS_CD         TEXT NOT NULL CHECK (STTS_CD IN ('0', '1', '2', '3', '4', '5', 'T', 'V')),
    RFND_TO_CD      TEXT CHECK (RFND_TO_CD IN ('2', '3', '4')),
    RFND_AMT        BIGINT  NOT NULL,
    CREATED_DT      TEXT,
    CREATOR_ID      INTEGER REFERENCES app_user (USER_NBR),
    VERIFY_ID       INTEGER REFERENCES app_user (USER_NBR),
    APPROVE_ID      INTEGER REFERENCES app_user (USER_NBR),
    RFND_BY_ID      INTEGER REFERENCES app_user (USER_NBR),
    VOID_ID         INTEGER REFERENCES app_user (USER_NBR),
    KDV_CMMT_TXT    TEXT,
    FISCAL_CMMT_TXT TEXT,
    RFND_CD         TEXT CHECK (RFND_CD IN ('0', '1')),
    WRNT_NBR        TEXT,
    RFND_DT         TEXT,
    DT_MLD          TEXT,
    ROW_VERSION     INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX refund_by_receipt ON refund (RCPT_NBR);
CREATE INDEX refund_by_customer ON refund (CUST_ID);

-- The next free number of each kind of form number the back office hands out ('U': refunds).
CREATE TABLE form_number (
    NBR_TYP_CD TEXT PRIMARY KEY,
    NEXT_NBR   INTEGER NOT NULL
);

-- The print templates of the forms, each valid from EFCTV_DT to END_DT (open-ended when null), kept
-- as the text of the file the form prints through; type 36: the refund worksheet (an XSLT stylesheet).
CREATE TABLE print_template (
    TMPLT_TYP_CD INTEGER NOT NULL,
    EFCTV_DT     TEXT NOT NULL,
    END_DT       TEXT,
    TMPLT_TXT    TEXT NOT NULL,
    PRIMARY KEY (TMPLT_TYP_CD, EFCTV_DT)
);
