-- The shop database's tables and columns that the station relies on, for
-- the tests' PostgreSQL server. Unquoted names fold to lower case, so the
-- station's statements find them as written.
create table DB_member (
    code varchar(50) primary key,
    password varchar(50),
    phone varchar(50),
    mobile varchar(50),
    name varchar(100),
    class varchar(10),
    address varchar(250)
);
create table DB_memprice (
    pcode varchar(50),
    memcode varchar(50),
    price numeric(10, 2)
);
create table DB_product (
    product_code varchar(50) primary key,
    product_price numeric(10, 2),
    product_price1 numeric(10, 2),
    product_price2 numeric(10, 2),
    product_price3 numeric(10, 2),
    product_price4 numeric(10, 2),
    product_price5 numeric(10, 2),
    product_price6 numeric(10, 2),
    product_price7 numeric(10, 2),
    product_price8 numeric(10, 2),
    product_price9 numeric(10, 2)
);
create table DB_ordermain (
    orderid varchar(50) primary key,
    usercode varchar(50),
    submitdate timestamp,
    mobile varchar(50),
    telephone varchar(50),
    bshow integer,
    address varchar(250),
    require varchar(4000)
);
create table DB_ordermx (
    orderid varchar(50) references DB_ordermain (orderid),
    productid varchar(50),
    numbers integer,
    price numeric(10, 2),
    fnumbers integer
);
create table DB_user (
    username varchar(50),
    userrole varchar(50)
);
create table DB_line (
    code varchar(50),
    linename varchar(50),
    sortid integer
);

-- SQL Server's clock.
create function getdate() returns timestamp language sql as 'select localtimestamp';

-- The order number procedure: increasing numbers through its one output
-- parameter. A function, as the ODBC call form reaches it.
create sequence db_order_serial;
create function DB_createID(out edanhao char(20)) language sql as
$$ select (to_char(localtimestamp, 'YYMMDD') || lpad(nextval('db_order_serial')::text, 6, '0'))::char(20) $$;
